#include "forms.h"

#include "Unit1.h"
#include "Unit2.h"
#include "Unit9.h"

namespace takton {

void createForms()
{
    Form1 = new TForm1;
    Form2 = new TForm2;
    Form9 = new TForm9;
}

void destroyForms()
{
    delete Form9;
    Form9 = nullptr;
    delete Form2;
    Form2 = nullptr;
    delete Form1;
    Form1 = nullptr;
}

} // namespace takton
