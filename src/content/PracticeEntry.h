#pragma once

#include "content/BodyType.h"
#include "content/CatalogueEntry.h"

namespace clavora {

// One built-in practice: a stored text, a generated drill or a revision of the user's problems.
class PracticeEntry final : public CatalogueEntry
{
public:
    static constexpr CatalogueFormat Format{u"practices", u"practice", 3000, {}, {}};
    // The user type of a practice that names none.
    static constexpr int NoUserType = 255;

    bool ParseFrom(const XmlNode& element, int ordinal, const EntrySources& sources) override;
    // Drills get a fresh random text. Revision practices keep their text: it is built from the
    // user's problem lists and set from outside with SetText.
    bool GenerateText(const QStringList& wordList, RandomGenerator& random) override;

    const QString& Category() const { return m_category; }
    BodyType Type() const { return m_bodyType; }
    // The user type (1..7) the text suits best, or NoUserType.
    int UserType() const { return m_userType; }

private:
    QString m_category;
    BodyType m_bodyType = BodyType::Resource;
    quint8 m_userType = NoUserType;
};

} // namespace clavora
