#pragma once
// The program folder as the component finds it: from the file address of the menu script that
// the browser runs, which lies in the program folder.
#include <string>

namespace ravlet::rvbx {

// "file://" dropped, every "%20" and then every "+" a blank, then each "%" with two hex
// digits the byte they name, in one pass from the left (a decoded "%" starts nothing). A "%"
// without two hex digits after it stays as it is.
std::string DecodeScriptAddress(const std::string& href);

// The decoded address cut after its last "/" (which stays). False with the reason in problem
// when href is no file address, or the folder is not absolute, holds a ".." step or a control
// byte: a folder the component would write its selection file into must be the one named.
bool ScriptFolder(const std::string& href, std::string& folder, std::string& problem);

// The file address of a path: the bytes other than letters, digits, "/", "-", ".", "_" and
// "~" as "%XX", so that ScriptFolder gives the path's folder back.
std::string FileAddress(const std::string& path);

}  // namespace ravlet::rvbx
