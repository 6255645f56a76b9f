#pragma once

#include <string>

#include "image/register_image.h"

class TalonECR;

// The register's side of checking an image: articles read back and compared with it.

// The article the register holds at a location; false when it holds none.
bool ReadBack(TalonECR& ecr, int location, TalonPLUItem& read);
// The reason kept with an image when the register holds otherwise at a location.
std::string DifferingReason(int location);
// What the register holds at a location (an article or nothing) taken into the image.
void ReadBackInto(TalonECR& ecr, int location, RegisterImage& image);
// "" when the image has as many articles as the register (by its status) and a random
// sample of them, the lowest and the highest location always among them, reads back
// alike; else why not.
std::string CompareWithRegister(TalonECR& ecr, const RegisterImage& image, int registerArticles);
