#include "session/GuideDemonstration.h"

namespace clavora {

bool GuideDemonstration::Start(const QString& keys)
{
    m_keys = keys.left(MaxLength);
    m_index = 0;
    // An empty string has no character to show and nothing to cycle through.
    m_on = !m_keys.isEmpty();
    return m_on;
}

bool GuideDemonstration::Step(int state, int kind)
{
    if (!m_on)
        return false;
    if (state != session::Typing || kind != static_cast<int>(m_guide)) {
        m_on = false;
        return false;
    }
    m_index = (m_index + 1) % m_keys.size();
    return true;
}

QChar GuideDemonstration::Current() const
{
    return m_on ? m_keys.at(m_index) : QChar();
}

} // namespace clavora
