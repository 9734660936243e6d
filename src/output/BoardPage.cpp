// SPDX-License-Identifier: GPL-3.0-or-later
#include "output/PageOutput.h"

#include "board/BoardState.h"
#include "platform/FileLists.h"
#include "tasks/Task.h"

namespace duplikon {

BoardPage boardPage(const BoardState &state, const QString &programFolder, const QFont &textFont)
{
    BoardPage page;
    for (int i = 0; i < BoardState::kCells; ++i)
        page.cells[i] = pageCell(state.cell(i), programFolder);
    page.textFont = textFont;
    return page;
}

} // namespace duplikon
