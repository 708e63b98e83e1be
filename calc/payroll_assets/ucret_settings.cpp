#include "calc/payroll_assets/ucret_settings.h"

#include "app/main_window.h"
#include "app/settings_archive.h"
#include "base/rich_edit.h"
#include "calc/payroll_assets/payroll_edits.h"

#include <QLineEdit>

namespace {
// Line i of the member holds the text of edit i.
const char* const kMemberEdits[] = {"Edit379", "Edit380", "Edit381", "Edit382", "Edit383", "Edit384",
                                    "Edit385", "Edit386", "Edit387", "Edit424", "Edit423"};
}  // namespace

void ucretsakla(TForm1& form)
{
    auto edit = [&form](const char* name) { return form.findChild<QLineEdit*>(name); };
    if (QLineEdit* e = edit("Edit383"))
        Edit383Exit(*e);
    if (QLineEdit* e = edit("Edit386"))
        Edit386Exit(*e);
    if (QLineEdit* e = edit("Edit387"))
        Edit387Exit(*e);

    TRichEdit& store = *form.RichEdit12;
    for (int i = 0; i < static_cast<int>(std::size(kMemberEdits)); ++i)
        if (QLineEdit* e = edit(kMemberEdits[i]))
            store.SetLine(i, e->text());
    WriteSettingsMember(form, "ucret", store);
}
