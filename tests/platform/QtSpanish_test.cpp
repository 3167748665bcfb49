// Qt's own dialogs speak Spanish once the program installs Qt's translation.
#include "platform/Dialogs.h"
#include "platform/Translations.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>
#include <QTimer>
#include <QTranslator>
#include <gtest/gtest.h>

using namespace platform;

TEST(QtSpanish, TheRealSaveDialogSpeaksSpanish)
{
    QTranslator* spanish = installQtSpanish();
    ASSERT_NE(spanish, nullptr) << "Qt's Spanish translation (qt6-translations-l10n) is not installed";
    const auto restore = qScopeGuard([spanish] {
        QCoreApplication::removeTranslator(spanish);
        delete spanish;
    });

    QStringList buttons, labels;
    bool seen = false;
    QTimer::singleShot(0, [&] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* d = qobject_cast<QFileDialog*>(w);
            if (!d || !d->isVisible())
                continue;
            seen = true;
            for (QPushButton* b : d->findChild<QDialogButtonBox*>()->findChildren<QPushButton*>())
                buttons << b->text();
            for (QLabel* l : d->findChildren<QLabel*>())
                labels << l->text();
            d->reject();
        }
    });
    EXPECT_EQ(dialogs().saveFileName(QStringLiteral("archivos HTML (*.HTML *.HTM)"), QStringLiteral("HTM")), QString());
    ASSERT_TRUE(seen) << "the save dialog was not a Qt widget dialog";
    buttons.sort();
    EXPECT_EQ(buttons, (QStringList{QStringLiteral("&Guardar"), QStringLiteral("Cancelar")}));
    for (const QString& label : {QStringLiteral("Ver en:"), QStringLiteral("&Nombre de fichero:"),
                                 QStringLiteral("Ficheros de tipo:")})
        EXPECT_TRUE(labels.contains(label)) << label.toStdString();
}
