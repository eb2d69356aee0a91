#include "GuiTest.h"
#include "support/EnglishTexts.h"

#include "ui/service/frmOptionen.h"
#include "ui/service/frmSplash.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QRegularExpression>
#include <QTabBar>
#include <QTabWidget>
#include <QToolBar>

#include <map>
#include <optional>
#include <vector>

namespace {

/// A text shown to users and where it is: "frmMain/lblAnlagenkennzeichen".
struct Shown {
    QString where, text;
};

/// Every text the window shows: titles, labels, buttons, frames, tabs, list and table entries,
/// actions and tool tips. Line edits and the maker's address hold data, not texts of ours.
std::vector<Shown> TextsOf(const QWidget& window) {
    std::vector<Shown> texts;
    const QString name = window.objectName();
    auto add = [&texts, &name](const QObject& at, const QString& text) {
        if (!text.isEmpty())
            texts.push_back({name + "/" + at.objectName(), text});
    };
    auto addModel = [&add](const QWidget& at, const QAbstractItemModel& model) {
        for (int row = 0; row < model.rowCount(); ++row)
            add(at, model.headerData(row, Qt::Vertical).toString());
        for (int column = 0; column < model.columnCount(); ++column) {
            add(at, model.headerData(column, Qt::Horizontal).toString());
            for (int row = 0; row < model.rowCount(); ++row)
                add(at, model.index(row, column).data().toString());
        }
    };
    add(window, window.windowTitle());
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        if (widget->objectName() == "lblCompany")
            continue;
        add(*widget, widget->toolTip());
        add(*widget, widget->windowTitle()); // the toolbar's name, the pages' tab texts
        if (const auto* label = qobject_cast<const QLabel*>(widget))
            add(*label, label->text());
        else if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
            add(*button, button->text());
        else if (const auto* frame = qobject_cast<const QGroupBox*>(widget))
            add(*frame, frame->title());
        else if (const auto* tabs = qobject_cast<const QTabBar*>(widget))
            for (int i = 0; i < tabs->count(); ++i)
                add(*tabs, tabs->tabText(i));
        else if (const auto* combo = qobject_cast<const QComboBox*>(widget))
            for (int i = 0; i < combo->count(); ++i)
                add(*combo, combo->itemText(i));
        else if (const auto* view = qobject_cast<const QAbstractItemView*>(widget))
            addModel(*view, *view->model());
    }
    for (const QAction* action : window.findChildren<QAction*>()) {
        add(*action, action->text());
        add(*action, action->toolTip());
    }
    return texts;
}

/// The catalogue's German names and choice texts, and German words common in the windows;
/// names that are English as well ("Filter", "Venturi", "Service") are left out.
const QStringList kGermanWords =
    QString(
        "Sondenstörung Stellbereich Fehlerwert Relaisfunktion Unterer Oberer Verzögerung BeiFehler "
        "Passwort PasswortAktiv Trendintervall Simulationszeitraster Simulationsmodus Grenzwert "
        "Grenzwertfunktion Pumpentausch Eingang Ausgang Grenzwerte Linearisierung Sonstiges "
        "Messbereich Skalierung Skaleneinheit Skalenkomma Modus Stützpunkte TrendSteigend "
        "TrendFallend Simulationsbereich Simulationsschrittweite Gerätebeschreibung "
        "Anlagenkennzeichen Anfang Ende Nein Ja Keine Bearbeitung steigend fallend Arbeitsstrom "
        "Arbeitstrom Ruhestrom Relais Tabelle Rundtank Passwortabfrage aktivieren Aus Ein Ständig "
        "Gerät Datei Speichern Öffnen Drucken Einstellungen Lesen Schreiben Beenden Abbrechen "
        "Verbinden Optionen Fehler Zeile Wert Einheit Suche Verbindung Schnittstellen Messwert "
        "Hilfe Kontrast Sprache Anmerkung Aktueller Anzahl Punkt Schaltpunkt Betriebsart Intervall "
        "Schrittweite Zeitraster Benutzerdaten Kennzeichnung Symbolleiste Tabelleneingabe liegend "
        "entspricht Skalenbereich Internes Komplett unbenutzt Aktionen Abtasten Hexfile "
        "Firmwaredatei Ohne Nur durch und oder der die das mit von nicht für ist wird")
        .split(' ');

/// The German word or letter in the text, if any.
std::optional<QString> GermanIn(const QString& text) {
    static const QRegularExpression umlaut("[äöüßÄÖÜ]");
    if (const auto match = umlaut.match(text); match.hasMatch())
        return match.captured();
    const QString plain = QString(text).remove('&'); // "Speic&hern" is "Speichern"
    for (const QString& word : kGermanWords) {
        const QRegularExpression whole("(?<!\\p{L})" + word + "(?!\\p{L})",
                                       QRegularExpression::CaseInsensitiveOption);
        if (whole.match(plain).hasMatch())
            return word;
    }
    return std::nullopt;
}

/// "frmMain/Command3: '&Gerät Lesen' (Gerät)", one line for each text with a German word.
std::string GermanTexts(const QWidget& window) {
    QStringList found;
    for (const Shown& shown : TextsOf(window))
        if (const auto word = GermanIn(shown.text))
            found << shown.where + ": '" + shown.text + "' (" + *word + ")";
    found.removeDuplicates();
    return found.join('\n').toStdString();
}

/// The accelerator letter of the text ("&x", lower case), empty when it has none.
QString AcceleratorOf(QString text) {
    static const QRegularExpression accelerator("&([^&\\s])");
    text.replace("&&", "");
    const auto match = accelerator.match(text);
    return match.hasMatch() ? match.captured(1).toLower() : QString();
}

/// The accelerator letters that more than one control of these widgets uses, with the texts
/// that use them: "a: Grenzwert &A | Relais &A".
QStringList SharedAccelerators(const std::vector<Shown>& texts) {
    std::map<QString, QStringList> users;
    for (const Shown& shown : texts)
        if (const QString letter = AcceleratorOf(shown.text); !letter.isEmpty())
            users[letter] << shown.text;
    QStringList shared;
    for (auto& [letter, uses] : users) {
        uses.removeDuplicates(); // an action's text and its toolbar button's are one control
        if (uses.size() > 1)
            shared << letter + ": " + uses.join(" | ");
    }
    return shared;
}

class WindowTextsTest : public GuiTest {
protected:
    /// The controls that carry accelerators, of these widgets and not of any page of the tabs.
    static std::vector<Shown> AcceleratorTexts(const QWidget& widget, const QTabWidget* tabs) {
        std::vector<Shown> texts;
        auto onPage = [tabs](const QWidget* w) { // the pages lie in the tabs' stacked widget
            for (; tabs && w && w->parentWidget(); w = w->parentWidget())
                if (w->parentWidget()->parentWidget() == tabs && w != tabs->tabBar())
                    return true;
            return false;
        };
        auto add = [&texts](const QWidget* at, const QString& text) {
            texts.push_back({at->objectName(), text});
        };
        for (const QWidget* w : widget.findChildren<QWidget*>()) {
            if (onPage(w))
                continue;
            if (const auto* button = qobject_cast<const QAbstractButton*>(w))
                add(w, button->text());
            else if (const auto* label = qobject_cast<const QLabel*>(w))
                add(w, label->text());
            else if (const auto* frame = qobject_cast<const QGroupBox*>(w))
                add(w, frame->title());
            else if (const auto* bar = qobject_cast<const QTabBar*>(w))
                for (int i = 0; i < bar->count(); ++i)
                    add(w, bar->tabText(i));
        }
        return texts;
    }

    /// Per window, and in the main window per page with the controls always shown, the
    /// accelerators used twice: "page 2: a: Grenzwert &A | Relais &A".
    QStringList SharedAcceleratorsOfAllWindows() {
        OpenMain("123");
        frmOptionen options(*app);
        frmSplash splash;
        QStringList shared;
        const QTabWidget* tabs = main->PageTabs();
        const std::vector<Shown> always = AcceleratorTexts(*main, tabs);
        for (int page = 0; page < tabs->count(); ++page) {
            std::vector<Shown> texts = always;
            for (const Shown& shown : AcceleratorTexts(*tabs->widget(page), nullptr))
                texts.push_back(shown);
            for (const QString& letter : SharedAccelerators(texts))
                shared << "page " + QString::number(page + 1) + ": " + letter;
        }
        for (const QWidget* window :
             {static_cast<const QWidget*>(&options), static_cast<const QWidget*>(&splash)})
            for (const QString& letter : SharedAccelerators(AcceleratorTexts(*window, nullptr)))
                shared << window->objectName() + ": " + letter;
        main.reset();
        return shared;
    }

    /// Every toolbar command's keyboard path on every page, broken ones listed: an Alt letter
    /// that a control of a page uses as well ("page 3: l: &Lesen | Art der &Linearisierung"),
    /// or a command with neither a letter nor a shortcut shown in its tool tip.
    QStringList ToolbarKeysTakenByPages() {
        OpenMain("123");
        QStringList broken;
        const QTabWidget* tabs = main->PageTabs();
        for (const QAction* action : Find<QToolBar>("Toolbar1")->actions()) {
            const QString letter = AcceleratorOf(action->iconText());
            const QString shortcut = action->shortcut().toString(QKeySequence::NativeText);
            if (letter.isEmpty() && (shortcut.isEmpty() || !action->toolTip().contains(shortcut)))
                broken << action->objectName() + ": no key in '" + action->toolTip() + "'";
            for (int page = 0; page < tabs->count() && !letter.isEmpty(); ++page)
                for (const Shown& shown : AcceleratorTexts(*tabs->widget(page), nullptr))
                    if (AcceleratorOf(shown.text) == letter)
                        broken << "page " + QString::number(page + 1) + ": " + letter + ": " +
                                      action->iconText() + " | " + shown.text;
        }
        main.reset();
        return broken;
    }
};

TEST_F(WindowTextsTest, EnglishMainWindowShowsNoGermanWord) {
    EnglishTexts english; // before the windows: they read their texts when they are built
    OpenMain("123");      // every page, the service pages included
    ASSERT_EQ(8, main->PageTabs()->count());
    EXPECT_EQ("", GermanTexts(*main));
    const QStringList tabs = {"&1 Input/output",  "&2 Limits",    "&3 Linearisation",
                              "&4 Miscellaneous", "&5 Labelling", "&6 Service",
                              "&7 Service",       "&8 Service"};
    for (int i = 0; i < tabs.size(); ++i)
        EXPECT_EQ(tabs[i], main->PageTabs()->tabText(i));
    EXPECT_EQ("Energised on alarm", Find<QComboBox>("cmbRelayFunction_0")->itemText(0));
    EXPECT_EQ("Trend rising*", Find<QComboBox>("cmbLimitFunction_2")->itemText(3));
    // The default range in English words with the desktop's decimal comma.
    EXPECT_EQ("Scale range: 0,0000..1,0000 bar", Find<QLabel>("StatusBar1_Panel2")->text());
    EXPECT_EQ("X: 4,00..20,00 mA\ncorresponds to\nY: 0,0000..1,0000 bar",
              Find<QLabel>("lblSkalenbereich")->text());
    // The delay's unit stands right beside its field, however wide the relay function's list.
    main->PageTabs()->setCurrentIndex(1);
    QApplication::processEvents();
    for (const QString i : {"0", "1", "2", "3"}) {
        const QRect field = Find<QWidget>("txtDelay_" + i)->geometry();
        EXPECT_LE(Find<QWidget>("lblDelayUnit_" + i)->x() - field.right(), 12) << i.toStdString();
    }
}

TEST_F(WindowTextsTest, EnglishSmallWindowsShowNoGermanWord) {
    EnglishTexts english;
    frmOptionen options(*app);
    frmSplash splash;
    splash.Fill(SettingsFiles::ForUser());
    splash.ShowDeviceVersion(app->FirmwareID());
    EXPECT_EQ("", GermanTexts(options));
    EXPECT_EQ("", GermanTexts(splash));
}

TEST_F(WindowTextsTest, AcceleratorsAreUniqueAndNoPageTakesAToolbarCommandsKeyInEachLanguage) {
    EXPECT_EQ("", SharedAcceleratorsOfAllWindows().join('\n').toStdString());
    EXPECT_EQ("", ToolbarKeysTakenByPages().join('\n').toStdString());
    EnglishTexts english;
    EXPECT_EQ("", SharedAcceleratorsOfAllWindows().join('\n').toStdString());
    EXPECT_EQ("", ToolbarKeysTakenByPages().join('\n').toStdString());
}

} // namespace

TEST_F(WindowTextsTest, AnAltKeyTypesNoLetterAndOneWithATargetReachesIt) {
    OpenMain();
    main->PageTabs()->setCurrentIndex(4);
    QLineEdit* line = Find("txtDescription_0");
    line->setFocus();
    line->setText("Messung1");
    QTest::keyClick(line, Qt::Key_D, Qt::AltModifier); // no control of page 5 has "d"
    EXPECT_EQ("Messung1", line->text());
    QTest::keyClick(line, Qt::Key_B, Qt::AltModifier); // "&Benutzerdaten"
    EXPECT_EQ("Messung1", line->text());
    EXPECT_EQ(Find("txtParametrierdatum"), QApplication::focusWidget());
}
