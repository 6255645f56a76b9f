#include "ui/main/speed_box.h"

#include <QComboBox>

#include "serial/port_settings.h"

namespace {

constexpr int SlowSpeedItem = 0;
constexpr int FastSpeedItem = 1;

} // namespace

void FillSpeedBox(QComboBox* box) {
    box->addItems({QString::number(SlowSpeed), QString::number(FastSpeed)});
    box->setCurrentIndex(SlowSpeedItem);
}

int ChosenSpeed(const QComboBox* box) {
    return box->currentIndex() == FastSpeedItem ? FastSpeed : SlowSpeed;
}

void ChooseSpeed(QComboBox* box, int speed) {
    box->setCurrentIndex(speed == FastSpeed ? FastSpeedItem : SlowSpeedItem);
}
