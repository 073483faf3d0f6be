#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>

// Fresh shared state and a settings file of its own in a temporary folder for every test.
class SettingsFixture : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    /// The settings file's bytes, or an empty array when it does not exist.
    QByteArray fileBytes() const;
    /// Replaces the settings file with these bytes.
    void writeFile(const QByteArray &bytes) const;
    /// Host names the resolver answers; anything else does not resolve.
    void resolveHosts(std::map<QString, QString> table);

    QTemporaryDir m_dir;
};

/// Bytes from a hex string such as "FF FF 44" or "FFFF44".
QByteArray fromHex(const char *hex);

/// A data file kept with the tests.
QString testDataPath(const QString &relative);

/// True when the Windows build runs under Wine rather than on Windows.
bool runningUnderWine();
