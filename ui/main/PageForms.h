#pragma once

#include "ui_PageInOut.h"
#include "ui_PageLabelling.h"
#include "ui_PageLimits.h"
#include "ui_PageLinearisation.h"
#include "ui_PageMisc.h"
#include "ui_PageService6.h"
#include "ui_PageService7.h"
#include "ui_PageService8.h"

#include <array>

/// The form objects of the main window's eight pages, kept for the window's life so that the
/// code reaches each widget as a member the compiler checks.
struct PageForms {
    Ui::PageInOut inOut;
    Ui::PageLimits limits;
    Ui::PageLinearisation linearisation;
    Ui::PageMisc misc;
    Ui::PageLabelling labelling;
    Ui::PageService6 service6;
    Ui::PageService7 service7;
    Ui::PageService8 service8;
};

/// optLinart_0 … _3, by the mode each stands for.
inline std::array<QRadioButton*, 4> LinearisationModes(const Ui::PageLinearisation& page) {
    return {page.optLinart_0, page.optLinart_1, page.optLinart_2, page.optLinart_3};
}
