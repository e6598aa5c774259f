#pragma once
// What the logic needs of the system clipboard: plain text in, plain text out. The Qt front
// end installs the desktop's clipboard; until then (and in the CLI) a clipboard of the process
// stands in.
#include <string>

namespace ravlet {

class Clipboard {
  public:
    virtual ~Clipboard() = default;
    virtual bool HasText() = 0;
    // Rich text counts for the clipboard import; a clipboard that cannot tell says false.
    virtual bool HasRichText() { return false; }
    // False when the clipboard cannot be read (another program may hold it).
    virtual bool GetText(std::string& text) = 0;
    virtual void SetText(const std::string& text) = 0;
    virtual void Clear() = 0;
};

// A clipboard that lives in the process: the default, and what tests script.
class MemoryClipboard : public Clipboard {
  public:
    bool HasText() override { return hasText; }
    bool HasRichText() override { return hasRichText; }
    bool GetText(std::string& out) override;
    void SetText(const std::string& value) override;
    void Clear() override;

    std::string text;
    bool hasText = false;
    bool hasRichText = false;
    bool locked = false;  // reads fail while set
    int reads = 0;
};

// Text with every line end (LF, CR or CR LF) written as CR LF: the clipboard convention the
// logic reads, whatever the program that copied the text wrote.
std::string CrLfLineEnds(const std::string& text);

// The process-wide clipboard.
Clipboard& SystemClipboard();
// Installs clipboard (not owned; nullptr restores the process's own one).
void SetClipboard(Clipboard* clipboard);

}  // namespace ravlet
