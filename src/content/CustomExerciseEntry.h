#pragma once

#include "content/CatalogueEntry.h"

namespace clavora {

// An imported practice or speed test: its text is the file the entry names in its folder of
// the custom folder.
class CustomExerciseEntry : public CatalogueEntry
{
public:
    bool ParseFrom(const XmlNode& element, int ordinal, const EntrySources& sources) override;
    QString FileName() const override { return m_fileName; }

    // The text of a regular file: nothing when it cannot be read or holds nothing to type.
    static std::optional<QString> ReadExerciseFile(const QString& path);

protected:
    // Reads the element's fields beyond key, file name and title; false when one is invalid.
    virtual bool ParseMoreFields(const XmlNode& element);

private:
    QString m_fileName;
};

} // namespace clavora
