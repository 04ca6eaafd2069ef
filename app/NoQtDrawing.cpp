#include "QtDrawing.h"

const QtDrawing* qtDrawing() {
    return nullptr;
}
