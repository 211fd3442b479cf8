#pragma once
// The design report and the values file, offered in the row of actions below a
// calculator window's last step: "Отчёт" (Ctrl+P) saves the report as PDF or HTML or
// prints it, "Сохранить значения" (Ctrl+S) and "Загрузить значения" (Ctrl+O) write
// and read the texts of the window's fields.

#include "file_questions.h"

namespace takton {

class TableWindow;

void addDesignActions(TableWindow& window);

} // namespace takton
