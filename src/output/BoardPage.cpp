// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/PageOutput.h"

#include "board/BoardState.h"
#include "platform/FileLists.h"
#include "tasks/Task.h"

namespace duplikon {

PageCell pageCellOf(const BoardCell &c, const QString &programFolder)
{
    PageCell cell;
    if (c.picture) {
        cell.kind = PageCell::Picture;
        cell.picturePath = resolveHalf(programFolder, c.half);
    } else if (c.sound) {
        cell.kind = PageCell::Sound;
        cell.text = halfFileName(c.half);
        cell.soundMissing = c.soundFile.isEmpty();
    } else {
        cell.kind = PageCell::Text;
        cell.text = c.half;
    }
    return cell;
}

BoardPage boardPage(const BoardState &state, const QString &programFolder, const QFont &textFont)
{
    BoardPage page;
    for (int i = 0; i < BoardState::kCells; ++i) {
        if (state.cell(i).shown)
            page.cells[i] = pageCellOf(state.cell(i), programFolder);
    }
    page.textFont = textFont;
    return page;
}

} // namespace duplikon
