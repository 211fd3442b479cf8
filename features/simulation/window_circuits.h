#pragma once
// The circuit of each calculator window that can be checked by simulation, read from
// the window's fields. Each is defined next to its window's unit, from the same
// parts as the window's schematic.

#include "design_fields.h"

namespace takton::simulation {

Design designOfForm2(const TableWindow& window);
Design designOfForm3(const TableWindow& window);
Design designOfForm4(const TableWindow& window);
Design designOfForm5(const TableWindow& window);
Design designOfForm6(const TableWindow& window);
Design designOfForm7(const TableWindow& window);
Design designOfForm8(const TableWindow& window);
Design designOfForm9(const TableWindow& window);
Design designOfForm10(const TableWindow& window);
Design designOfForm11(const TableWindow& window);

} // namespace takton::simulation
