#include "operations/arrange_for_register.h"

#include "articles/arrange.h"
#include "ecr/talon_ecr.h"

void ArrangeForRegister(TalonECR& ecr, ArticleTable& table) {
    ecr.RequestStatus();
    ArrangeByBarcode(table, LocationLimitFor(ecr.GetStatusItem().GetVersion()));
}
