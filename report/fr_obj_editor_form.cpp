#include "report/fr_obj_editor_form.h"

void TfrObjEditorForm::EditView(TfrView*) {}
