#include "ecr/control_bytes.h"

ECRString ByteText(char c) {
    const char text[2] = {c, '\0'};
    return ECRString(text);
}
