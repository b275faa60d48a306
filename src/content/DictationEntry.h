#pragma once

#include "content/CatalogueEntry.h"

namespace clavora {

// One built-in dictation; its transcription and audio are the dictation view's to fetch.
class DictationEntry final : public CatalogueEntry
{
public:
    static constexpr CatalogueFormat Format{u"dictations", u"dictation", 7000, {}, {}};

    // The data are the element's attributes "key", "title" and "description".
    bool ParseFrom(const XmlNode& element, int ordinal, const EntrySources& sources) override;

    const QString& Description() const { return m_description; }

private:
    QString m_description;
};

} // namespace clavora
