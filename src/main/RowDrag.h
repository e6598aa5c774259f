#pragma once
// Moving a row of the link list by dragging it with the left mouse button.
#include <cstddef>

namespace ravlet {

class LinkList;

// The row under the pointer: the top visible row plus the pointer's distance from the list's
// top divided by the row height, rounded down, never beyond the last row; -1 for an empty
// list.
long RowUnderPointer(long topRow, int y, int itemHeight, std::size_t count);

// Moves the text of row from to row to, shifting the rows between by one place. Only the
// texts move; selection marks stay where they are.
void MoveRowText(LinkList& list, std::size_t from, std::size_t to);

}  // namespace ravlet
