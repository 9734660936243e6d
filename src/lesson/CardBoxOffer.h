// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace duplikon {

// What the task-choice panel offers as "Meine Kartei": the child's due cards,
// which a part that reads the results works out (the main window's). The
// panel asks each time it opens.
class CardBoxOffer {
public:
    virtual ~CardBoxOffer() = default;
    // Whether the offer stands on the panel at all: the card box is on and a
    // child's name is set.
    virtual bool offered() const = 0;
    // How many of the child's cards are due and can be played now (at most ten).
    virtual int dueCards() = 0;
};

} // namespace duplikon
