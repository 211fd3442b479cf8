#include "forms.h"

#include "Unit1.h"
#include "Unit2.h"

namespace takton {

void createForms()
{
    Form1 = new TForm1;
    Form2 = new TForm2;
}

void destroyForms()
{
    delete Form2;
    Form2 = nullptr;
    delete Form1;
    Form1 = nullptr;
}

} // namespace takton
