#pragma once

#include "ui/main/frmMain.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QToolBar>

/// What the main window showed at one moment of a device operation.
struct WindowMoment {
    bool toolbar, pages, bar;
    int barValue;
    QString panel;      ///< the port panel of the status bar
    bool cancelOffered; ///< "Abbrechen" beside the bar
    bool modal;         ///< a modal window held the operation
    bool refusalShown;  ///< the box saying why the window stays open

    static WindowMoment Of(const frmMain& w) {
        auto* bar = w.findChild<QProgressBar*>("ProgressBar1");
        auto* refusal = w.findChild<QMessageBox*>("msgCloseRefused");
        return {w.findChild<QToolBar*>("Toolbar1")->isEnabled(),
                w.findChild<QTabWidget*>("SSTab1")->isEnabled(),
                bar->isVisible(),
                bar->value(),
                w.findChild<QLabel*>("StatusBar1_Panel1")->text(),
                w.findChild<QPushButton*>("cmdAbbrechen")->isVisible(),
                QApplication::activeModalWidget() != nullptr,
                refusal != nullptr && refusal->isVisible()};
    }
};
