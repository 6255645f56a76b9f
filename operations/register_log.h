#pragma once

#include "text/ecr_string.h"

class ECRError;
class TalonECR;

// "Greska " code ": " and the register's text for the code of its last reply.
ECRString RegisterErrorLine(const TalonECR& ecr);
// "Greska u komunikaciji: " and the link error's text ("???" for an unknown code).
ECRString LinkErrorLine(const ECRError& error);
