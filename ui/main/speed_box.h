#pragma once

class QComboBox;

// A speed box: the items "9600" and "19200", the first chosen.
void FillSpeedBox(QComboBox* box);
// 19200 when its item is chosen, else 9600 (also when none is).
int ChosenSpeed(const QComboBox* box);
void ChooseSpeed(QComboBox* box, int speed);
