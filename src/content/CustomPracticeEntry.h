#pragma once

#include "content/CustomExerciseEntry.h"

namespace clavora {

// A practice text the user imported.
class CustomPracticeEntry final : public CustomExerciseEntry
{
public:
    static constexpr CatalogueFormat Format{u"custompractices", u"practice", 0, u"practicecustom.xml",
                                            u"practice"};

    const QString& Category() const { return m_category; }

protected:
    bool ParseMoreFields(const XmlNode& element) override;

private:
    QString m_category;
};

} // namespace clavora
