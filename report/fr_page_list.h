#pragma once

#include <QString>

#include <utility>
#include <vector>

// The pages a print run sends: the text of the print dialog's page-numbers box, such as "1,3,5-12".
// Blanks are ignored; an empty text means every page; a range runs from its first number to its last,
// both included, and gives nothing when it runs backwards. Ranges are kept as ranges, so that
// "1-999999999" costs nothing.
class TfrPageList {
public:
    // A part that is no number raises the conversion error of StrToInt.
    static TfrPageList Parse(const QString& text);

    bool AllPages() const { return all_; }
    bool Contains(int page) const;  // page numbers from 1

private:
    bool all_ = true;
    std::vector<std::pair<int, int>> ranges_;
};
