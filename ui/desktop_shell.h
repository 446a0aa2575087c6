#pragma once

#include <QString>

namespace chronoflip {

// The desktop's "open" of a document with whatever program the user has for its kind, so
// tests can note what would have been opened.
class DesktopShell {
  public:
    virtual ~DesktopShell() = default;
    // A file's full path, or a web address. False when no program took the document.
    virtual bool openDocument(const QString& document) noexcept = 0;
};

}  // namespace chronoflip
