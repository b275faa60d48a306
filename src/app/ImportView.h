#pragma once

#include "content/CustomImport.h"

#include <functional>

namespace clavora {

// What importing asks of the window: the modal "Import Custom Exercise" dialog. Each press of its
// Import button runs `import`; the dialog closes when an import succeeded.
class ImportView
{
public:
    using ImportFile = std::function<CustomImport::Outcome(ImportKind kind, const QString& path)>;

    virtual ~ImportView() = default;
    virtual void RunImportDialog(const QString& startFolder, const ImportFile& import) = 0;
};

} // namespace clavora
