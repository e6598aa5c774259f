#include "main/RowDrag.h"

#include "links/LinkList.h"
#include "main/frmMain.h"

namespace ravlet {

long RowUnderPointer(long topRow, int y, int itemHeight, std::size_t count) {
    if (count == 0) return -1;
    const long last = static_cast<long>(count) - 1;
    long row = topRow;
    if (itemHeight > 0 && y > 0) row += y / itemHeight;
    if (row < 0) row = 0;
    return row > last ? last : row;
}

void MoveRowText(LinkList& list, std::size_t from, std::size_t to) {
    if (from == to || from >= list.Count() || to >= list.Count()) return;
    const std::string moving = list.At(from);
    if (from < to)
        for (std::size_t i = from; i < to; ++i) list.Set(i, list.At(i + 1));
    else
        for (std::size_t i = from; i > to; --i) list.Set(i, list.At(i - 1));
    list.Set(to, moving);
}

void frmMain::ListLinks_MouseDown(long row) {
    if (dragRow_ >= 0 || row < 0 || static_cast<std::size_t>(row) >= list_.Count()) return;
    dragRow_ = row;
    // Every move of one drag is one step of the undo history.
    undo_.Begin();
}

void frmMain::ListLinks_MouseMove(long row) {
    if (dragRow_ < 0 || row < 0 || row == dragRow_) return;
    // A drag would reorder the rows under a running download or filter.
    if (!CommandAllowed(Act_DragRow, state_)) return;
    MoveRowText(list_, static_cast<std::size_t>(dragRow_), static_cast<std::size_t>(row));
    dragRow_ = row;
    Notify(View_List);
}

void frmMain::ListLinks_MouseUp() {
    if (dragRow_ >= 0) undo_.End();
    dragRow_ = -1;
}

}  // namespace ravlet
