#pragma once
// The visited-address and folder histories: drop-down items, most recent first, kept in the
// ".hst" and ".dir.hst" files one item a line.
#include <string>

#include "main/ComboBox.h"

namespace ravlet {

// Removes every item equal to item (letter case counts), puts it first and selects it.
void HistoryMoveToFront(ComboBox& box, const std::string& item);

// Appends the lines of the file as items, in file order, when the file exists and is not
// empty. A file too big to be a history is left unread (with a log line); false then.
bool HistoryLoad(const std::string& path, ComboBox& box);

// The file's content: every item followed by CR LF.
std::string HistoryText(const ComboBox& box);
// Replaces the file in one step, so a failure leaves the old file as it was.
bool HistorySave(const std::string& path, const ComboBox& box, std::string* error = nullptr);

}  // namespace ravlet
