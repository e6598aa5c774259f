#pragma once
// A fresh temporary folder that serves as the program folder (RAVLET_HOME) while it lives.
#include <string>

namespace ravlet::test {

std::string ReadFile(const std::string& path);  // the file's bytes; empty when missing

class TempHome {
  public:
    TempHome();   // creates the folder and points RAVLET_HOME at it
    ~TempHome();  // restores RAVLET_HOME and the current directory, removes the folder
    TempHome(const TempHome&) = delete;
    TempHome& operator=(const TempHome&) = delete;

    const std::string& path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + "/" + name; }
    void Write(const std::string& name, const std::string& bytes) const;
    std::string Read(const std::string& name) const;  // empty when missing

  private:
    std::string path_;
    std::string oldHome_;
    bool hadHome_ = false;
    std::string oldCwd_;
};

}  // namespace ravlet::test
