// tk_CAppCasovacDlg: the framework's redraw-timer setting. Ten levels n give the frame periods
// 4 × n × n milliseconds (4 to 400 ms); each change restarts timer 1 at once.
#pragma once

#include "framework/widgets/tk_CDDialog.h"

class tk_CDEDB;
class tk_CLabel;
class tk_CTlac;

class tk_CAppCasovacDlg : public tk_CDDialog {
  public:
    // Level 1 to 10 and the period of timer 1 in milliseconds (as stored: a period read from the
    // settings file need not equal 4 × n × n until the level changes).
    int level;
    int period;
    tk_CDEDB* period_box;

    tk_CAppCasovacDlg(tk_CPolCHLO* parent, int id);

    // Lays out buttons and labels, shows the period, restarts timer 1 with it, hides the dialog.
    int SetupVisual() override;
    // 1231 slower (level down), 1232 faster (level up), 1233 OK hides. Every event then goes on
    // to the parent.
    bool HandleFWInteraction(int id, int value, tk_CPol* sender) override;

    // Timer 1 of the application window again, from now, with the period.
    void RestartTimer();

  private:
    void SetLevel(int n);

    tk_CLabel* caption_;
    tk_CTlac* slower_;
    tk_CTlac* faster_;
    tk_CTlac* ok_;
    tk_CLabel* slower_label_;
    tk_CLabel* faster_label_;
    tk_CLabel* ok_label_;
};
