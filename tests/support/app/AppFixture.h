#pragma once
// A fresh program for each test: a temporary program folder (TROVELIN_HOME)
// with the shipped Files/, the module's start values, scripted dialogs and
// desktop, and every window unloaded afterwards.
#include "QtPrinters.h"
#include "ScriptedDesktop.h"
#include "ScriptedDialogs.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

class AppFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // <program folder>/Files/<name>
    QString filePath(const QString& name) const;
    void writeFile(const QString& name, const QByteArray& bytes) const;
    QByteArray readFile(const QString& name) const;
    // The box with which send refuses a line while not connected.
    void expectSendRefused();

    QTemporaryDir home;
    ScriptedDialogs dialogs;
    ScriptedDesktop desktop;
};

// Deletes every loaded window and the ones waiting to be deleted.
void destroyAllForms();
