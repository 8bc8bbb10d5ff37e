// The tables are constant data in their headers; building this unit checks
// that they all compile together and hold the counts they declare.
#include "records/Labels/LabelTables.h"
