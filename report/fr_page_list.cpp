#include "report/fr_page_list.h"

#include "base/numbers.h"

TfrPageList TfrPageList::Parse(const QString& text)
{
    TfrPageList list;
    QString s = text;
    s.remove(' ');
    if (s.isEmpty())
        return list;
    list.all_ = false;
    s += ',';
    // a number ended by "-" opens a range; one ended by "," stands alone or closes the open range
    bool rangeOpen = false;
    int rangeStart = 0;
    int partStart = 0;
    for (int i = 0; i < s.size(); ++i) {
        const QChar c = s.at(i);
        if (c != '-' && c != ',')
            continue;
        const int n = StrToInt(s.mid(partStart, i - partStart));
        partStart = i + 1;
        if (c == '-') {
            rangeStart = n;
            rangeOpen = true;
        } else if (rangeOpen) {
            if (rangeStart <= n)
                list.ranges_.emplace_back(rangeStart, n);
            rangeOpen = false;
        } else {
            list.ranges_.emplace_back(n, n);
        }
    }
    return list;
}

bool TfrPageList::Contains(int page) const
{
    if (all_)
        return true;
    for (const auto& [first, last] : ranges_)
        if (page >= first && page <= last)
            return true;
    return false;
}
