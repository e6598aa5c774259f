#pragma once
// One request of the extension to the host: which menu entry was clicked and what the page
// answered. The host stands in the browser's objects for the component, made of the message,
// and answers with the outcome.
#include <string>

#include "rvbx/IExec.h"

namespace ravlet::rvbx {

// The JSON answer to message: {"ok":true}, or {"ok":false,"error":TEXT}.
//
// message: {"caption": the clicked entry's caption, "range": "select" for the selection
// entry, "menuArguments": {"event": {"clientX", "clientY"}, "document": {"elementFromPoint":
// {"outerHTML"} or null, "selection": {"createRange": {"htmlText"}}}, "location": {"href"}}}.
// The menu script of the caption is the default value of its "MenuExt" entry in the
// registry; its file address is self's document.location.href.
std::string HandleHostMessage(const std::string& message, IExec& component);

// The answer for a failure before any component was involved.
std::string HostFailure(const std::string& text);

}  // namespace ravlet::rvbx
