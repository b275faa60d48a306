#pragma once

#include "content/CatalogueEntry.h"

namespace clavora {

// One lesson of the course (or the initial skill test), with the text of its resource.
class LessonEntry final : public CatalogueEntry
{
public:
    static constexpr CatalogueFormat Format{u"lessons", u"lesson", 1000, {}, {}};

    bool ParseFrom(const XmlNode& element, int ordinal, const EntrySources& sources) override;

    const QString& Description() const { return m_description; }
    // 1 child or beginner, 2 teenager, 3 adult; 0 when the catalogue gives none.
    int Difficulty() const { return m_difficulty; }
    // The characters the lesson introduces; the keyboard guide demonstrates them.
    const QString& IntroducedKeys() const { return m_introducedKeys; }

private:
    QString m_description;
    QString m_introducedKeys;
    quint8 m_difficulty = 0;
};

} // namespace clavora
