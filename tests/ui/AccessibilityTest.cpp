#include "support/FormHarness.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QCheckBox>
#include <QDateEdit>
#include <QLabel>

using F = ContactSource::Field;

namespace {

QString accessibleName(QWidget* widget)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
    return iface ? iface->text(QAccessible::Name) : QStringLiteral("(not accessible)");
}

/// Every object a screen reader can reach from @p root.
QList<QObject*> reachable(QAccessibleInterface* root)
{
    QList<QObject*> found;
    for (int i = 0; i < root->childCount(); ++i) {
        QAccessibleInterface* child = root->child(i);
        if (!child || child->state().invisible)
            continue;
        found << child->object();
        found << reachable(child);
    }
    return found;
}

}  // namespace

TEST(Accessibility, EachInputIsNamedByItsLabelAndEachFlagByItsPhone)
{
    FormHarness h;
    h.form->show();
    for (int i = 0; i < 26; ++i) {
        const QString label = h.find<QLabel>(QStringLiteral("Label1(%1)").arg(i))->text();
        EXPECT_EQ(accessibleName(h.form->txtTextbox(i)), label) << i;
    }
    EXPECT_EQ(accessibleName(h.find<QDateEdit>("dtpBirthday")), "Birthday:");
    const QStringList phones = {"Home Voice", "Home Fax", "Work Voice", "Work Fax", "Cellular", "Pager"};
    for (int k = 0; k < 6; ++k)
        EXPECT_EQ(accessibleName(h.form->Check1(k)), phones[k] + " preferred") << k;

    const QList<QObject*> offered = reachable(QAccessible::queryAccessibleInterface(h.form.get()));
    EXPECT_TRUE(offered.contains(h.form->txtTextbox(F::LastName)));
    EXPECT_FALSE(offered.contains(h.form->picConvert()));
}
