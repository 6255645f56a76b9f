#include "ui/main/window_sinks.h"

#include "ui/main/form_main.h"

void WindowLog::Line(const ECRString& text) {
    Form.Log(text);
}

void WindowProgress::Begin(int min, int max) {
    Form.BeginProgress(min, max + ExtraRange);
}

void WindowProgress::Step(int n) {
    Form.StepProgress(n);
}

void WindowProgress::End() {
    Form.EndProgress();
}

bool WindowProgress::StopRequested() {
    return Form.StopRequested();
}
