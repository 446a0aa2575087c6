#pragma once

#include <QString>

namespace chronoflip {

// The desktop's "open" of a document with whatever program the user has for its kind, so
// tests can note what would have been opened.
class DesktopShell {
  public:
    virtual ~DesktopShell() = default;
    // False when no program took the document.
    virtual bool openDocument(const QString& path) noexcept = 0;
};

}  // namespace chronoflip
