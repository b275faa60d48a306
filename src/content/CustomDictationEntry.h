#pragma once

#include "content/CatalogueEntry.h"

namespace clavora {

// A dictation the user imported: an MP3 file named after the key in the custom dictation folder.
class CustomDictationEntry final : public CatalogueEntry
{
public:
    static constexpr CatalogueFormat Format{u"customdictations", u"dictation", 0, u"dictationcustom.xml",
                                            u"Dictations"};

    bool ParseFrom(const XmlNode& element, int ordinal, const EntrySources& sources) override;
    // The audio file the dictation was imported from; kept for display only.
    QString FileName() const override { return m_fileName; }
    // The audio file to play.
    const QString& AudioPath() const { return m_audioPath; }

private:
    QString m_fileName;
    QString m_audioPath;
};

} // namespace clavora
