// The window, the Share window and the address book's window in each
// language the program ships,
// with the translations it loads at start: every text of ours translated,
// and no label running further into its box than the English one does.
#include "app/ScopedLanguage.h"
#include "support/FormHarness.h"
#include "ui/AddressBookWindow.h"
#include "ui/ShareWindow.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTreeView>

#include <map>
#include <memory>

using F = ContactSource::Field;

namespace {

struct Language {
    const char* name;
    // Texts of ours that may read the same as the English in this language,
    // whole: words the language borrows, names of formats and standards.
    QStringList sameAsEnglish;
};

// A text made only of these words (and digits, signs) is the same in every language.
const QStringList sameEverywhere = {"vCard", "QR", "UTF-8", "UTF8", "ANSI", "Quillmere", "CardDAV", "OK"};

const Language languages[] = {
    {"de_DE", {"Pager", "Name"}},
    {"fr_FR", {"Contacts"}},
    {"es_ES", {"General", "bytes"}},
    {"ru_RU", {}},
};

/// Each text a user reads or hears in a window, by where it is and what it is.
using Texts = std::map<QString, QString>;

QString pathOf(QWidget* widget, QWidget* window)
{
    QStringList parts;
    for (QWidget* w = widget; w && w != window->parentWidget(); w = w->parentWidget()) {
        QString part = w->objectName();
        if (part.isEmpty()) {
            const QObjectList siblings = w->parent() ? w->parent()->children() : QObjectList();
            part =
                QStringLiteral("%1#%2").arg(QString::fromLatin1(w->metaObject()->className())).arg(siblings.indexOf(w));
        }
        parts.prepend(part);
        if (w == window)
            break;
    }
    return parts.join(u'/');
}

/// Qt's own parts (a spin box's line edit, the tab strip's scroll buttons,
/// a scroll bar) carry Qt's texts, which Qt translates. The tab widget's
/// stack holds our pages.
bool isQtsOwn(QWidget* widget, QWidget* window)
{
    for (QWidget* w = widget; w && w != window; w = w->parentWidget()) {
        const QString name = w->objectName();
        if ((name.startsWith(QLatin1String("qt_")) && name != QLatin1String("qt_tabwidget_stackedwidget")) ||
            qobject_cast<QTabBar*>(w->parentWidget()))
            return true;
    }
    return false;
}

void addText(Texts& texts, const QString& where, const QString& what, const QString& text)
{
    if (!text.trimmed().isEmpty())
        texts[where + u' ' + what] = text;
}

Texts textsOf(QWidget* window)
{
    Texts texts;
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    for (QWidget* w : widgets) {
        if (isQtsOwn(w, window) || (!w->isVisibleTo(window) && w != window))
            continue;
        const QString where = pathOf(w, window);
        if (w->isWindow())
            addText(texts, where, "title", w->windowTitle());
        addText(texts, where, "tooltip", w->toolTip());
        addText(texts, where, "whatsThis", w->whatsThis());
        if (QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(w)) {
            addText(texts, where, "name", spoken->text(QAccessible::Name));
            addText(texts, where, "description", spoken->text(QAccessible::Description));
        }
        if (auto* label = qobject_cast<QLabel*>(w))
            addText(texts, where, "text", label->text());
        if (auto* button = qobject_cast<QAbstractButton*>(w))
            addText(texts, where, "text", button->text());
        if (auto* group = qobject_cast<QGroupBox*>(w))
            addText(texts, where, "title", group->title());
        if (auto* line = qobject_cast<QLineEdit*>(w))
            addText(texts, where, "placeholder", line->placeholderText());
        if (auto* spin = qobject_cast<QAbstractSpinBox*>(w))
            addText(texts, where, "special value", spin->specialValueText());
        if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
            for (int i = 0; i < tabs->count(); ++i) {
                addText(texts, where, QStringLiteral("tab %1").arg(i), tabs->tabText(i));
                addText(texts, where, QStringLiteral("tab tooltip %1").arg(i), tabs->tabToolTip(i));
            }
        }
        if (auto* view = qobject_cast<QTreeView*>(w); view && view->model()) {
            for (int i = 0; i < view->model()->columnCount(); ++i)
                addText(texts, where, QStringLiteral("column %1").arg(i),
                        view->model()->headerData(i, Qt::Horizontal).toString());
        }
        for (QAction* action : w->actions()) {
            addText(texts, where, "action " + action->objectName() + action->shortcut().toString(), action->text());
            addText(texts, where, "action tooltip " + action->shortcut().toString(), action->toolTip());
        }
    }
    return texts;
}

/// Whether a text may read as the English one: nothing in it but the
/// words allowed to stay, digits and signs.
bool mayStay(QString text, const QStringList& allowed)
{
    for (const QString& word : sameEverywhere + allowed)
        text.replace(word, QString());
    static const QRegularExpression letters(QStringLiteral("\\p{L}{2,}"));
    return !text.contains(letters);
}

/// How far a field label's text runs into its box, in pixels (less than 0:
/// the room left), measured with the label's own font.
struct Fit {
    int overlap;
    QString text;
};

std::map<QString, Fit> overlaps(const Form1& form)
{
    std::map<QString, Fit> found;
    for (QLabel* label : form.findChildren<QLabel*>(QRegularExpression(QStringLiteral("^Label1\\(\\d+\\)$")))) {
        QWidget* box = label->buddy();
        if (!box)
            continue;
        const QRect at(label->mapTo(&form, QPoint(0, 0)), label->size());
        const QRect boxAt(box->mapTo(&form, QPoint(0, 0)), box->size());
        if (at.bottom() < boxAt.top() || at.top() > boxAt.bottom())
            continue;  // a label above its box (Notes:) has the box's width
        QString shown = label->text();
        shown.remove(u'&');
        const int textRight = at.left() + label->contentsRect().left() + label->fontMetrics().horizontalAdvance(shown);
        found[label->objectName()] = {textRight - boxAt.left(), shown};
    }
    return found;
}

struct Window {
    Texts texts;
    std::map<QString, Fit> overlaps;
};

/// The window as it starts in the current locale, each page in turn, then
/// with the Share window open, empty and with a contact, and the address
/// book's window before it lists.
Window shownWindow()
{
    FormHarness h;
    h.form->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(h.form.get()));
    Window window{{}, overlaps(*h.form)};
    for (const char* page : {"1", "0"}) {
        h.form->setSelectedPageText(QString::fromLatin1(page));
        window.texts.merge(textsOf(h.form.get()));
    }
    h.form->shareCard();
    ShareWindow* share = h.form->shareWindow();
    EXPECT_TRUE(share && share->isVisible());
    if (!share)
        return window;
    window.texts.merge(textsOf(share));
    h.form->setText(F::LastName, QStringLiteral("Marlow"));
    QCoreApplication::processEvents();
    for (auto& [where, text] : textsOf(share))
        window.texts.emplace(where + QStringLiteral(" (a contact)"), text);
    AddressBookWindow book(*h.session, h.form.get());
    window.texts.merge(textsOf(&book));
    return window;
}

class TranslatedWindow : public ::testing::Test {
protected:
    static void SetUpTestSuite() { english = new Window(shownWindow()); }
    static void TearDownTestSuite()
    {
        delete english;
        english = nullptr;
    }
    static Window* english;
};
Window* TranslatedWindow::english = nullptr;

}  // namespace

TEST_F(TranslatedWindow, EveryTextOfOursIsTranslatedAndNoLabelRunsFurtherIntoItsBox)
{
    ASSERT_GT(english->texts.size(), 100u);
    ASSERT_EQ(english->overlaps.size(), 26u);  // the General page's fields and birthday, the photo
    for (const Language& language : languages) {
        SCOPED_TRACE(language.name);
        const ScopedLanguage scoped{QLocale(QString::fromLatin1(language.name))};
        ASSERT_TRUE(scoped.translated());
        const Window translated = shownWindow();
        for (const auto& [where, text] : english->texts) {
            const auto found = translated.texts.find(where);
            if (found == translated.texts.end()) {
                ADD_FAILURE() << where.toStdString() << ": shown in English, not in " << language.name;
                continue;
            }
            if (found->second == text && !mayStay(text, language.sameAsEnglish))
                ADD_FAILURE() << where.toStdString() << ": left in English: " << text.toStdString();
        }
        for (const auto& [label, fit] : english->overlaps) {
            const Fit& found = translated.overlaps.at(label);
            EXPECT_LE(found.overlap, std::max(fit.overlap, 0))
                << label.toStdString() << " \"" << found.text.toStdString() << "\" runs into its box, where \""
                << fit.text.toStdString() << "\" does not";
        }
    }
}

TEST_F(TranslatedWindow, AShortenedLabelNamesItsFieldInFullAndNoTwoBoxesShareAName)
{
    for (const Language& language : languages) {
        SCOPED_TRACE(language.name);
        const ScopedLanguage scoped{QLocale(QString::fromLatin1(language.name))};
        FormHarness h;
        QStringList names;
        for (QLabel* label : h.form->findChildren<QLabel*>(QRegularExpression(QStringLiteral("^Label1\\(\\d+\\)$")))) {
            QWidget* box = label->buddy();
            const QString name = QAccessible::queryAccessibleInterface(box)->text(QAccessible::Name);
            names << name;
            // An abbreviation ("Geb.:") or a word the frame completes has its full name.
            if (label->text().contains(u'.')) {
                EXPECT_FALSE(label->toolTip().isEmpty()) << label->text().toStdString();
            }
            if (!label->toolTip().isEmpty()) {
                EXPECT_EQ(name, label->toolTip()) << label->text().toStdString();
                EXPECT_EQ(QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name), label->toolTip());
            }
        }
        ASSERT_EQ(names.size(), 27);
        names.sort();
        for (qsizetype i = 1; i < names.size(); ++i)
            EXPECT_NE(names[i], names[i - 1]) << "two boxes are both called " << names[i].toStdString();
    }
    // The designed English labels stay as they are.
    FormHarness h;
    for (QLabel* label : h.form->findChildren<QLabel*>(QRegularExpression(QStringLiteral("^Label1\\(\\d+\\)$"))))
        EXPECT_TRUE(label->toolTip().isEmpty()) << label->text().toStdString();
}
