#pragma once

#include "text/ecr_string.h"

class ECRError;
class TalonECR;

// "Greska " code ": " and the register's text for the code of its last reply.
ECRString RegisterErrorLine(const TalonECR& ecr);
// "Greska u komunikaciji: " and what the link error means for the user: a silent
// register and a port gone are told with what to do, other codes by their text ("???"
// for an unknown code).
ECRString LinkErrorLine(const ECRError& error);
