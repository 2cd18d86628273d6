// What the configuration tests share: scripted messages, a main window that
// counts what it is asked, a store and a log folder in temporary folders,
// and the exact comparison of the store file with the expected keys.
#pragma once

#include "config/ConfigHost.h"

#include "BasOrvalis/CallRecordBuilder.h"
#include "BasOrvalis/LogWriter.h"
#include "BasOrvalis/Messages.h"
#include "common/LogFile.h"
#include "platform/SettingsStore.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QMap>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

using BasOrvalis::ShownMessage;

namespace BasOrvalis {
inline void PrintTo(const ShownMessage& m, std::ostream* os) {
    *os << "{" << m.title << ", " << m.buttons << ", " << m.line << ", " << m.second << "}";
}
} // namespace BasOrvalis

// Answers questions from a script (Yes when the script is empty) and keeps
// every message shown.
class ScriptedMessages final : public BasOrvalis::MessagePresenter {
public:
    int ShowMessage(int titleNumber, int buttons, int messageNumber, int secondNumber) override {
        shown.append({titleNumber, buttons, messageNumber, secondNumber});
        if (buttons % 16 == BasOrvalis::MessageStyle::YesNo)
            return answers.isEmpty() ? BasOrvalis::MessageAnswer::Yes : answers.takeFirst();
        return BasOrvalis::MessageAnswer::Ok;
    }

    QList<int> answers;
    QList<ShownMessage> shown;
};

class CountingHost final : public ConfigHost {
public:
    bool EnCours() const override { return enCours; }
    void FillCommunicationTypes() override { ++fills; }
    void AfficherTotal() override { ++totals; }
    QDateTime now() const override { return instant; }

    bool enCours = false;
    int fills = 0;
    int totals = 0;
    QDateTime instant{QDate(2026, 12, 8), QTime(10, 0, 0)};
};

// "Section/Key" -> stored text.
using StoreContents = QMap<QString, QString>;

// A store and a log folder in temporary folders; the log folder is the one
// the log writers use while the fixture lives.
class TemporaryFiles final {
public:
    TemporaryFiles()
        : m_oldJournaux(qgetenv("ORVALIS_JOURNAUX"))
        , m_store(std::make_unique<SettingsStore>(storePath())) {
        qputenv("ORVALIS_JOURNAUX", m_folder.filePath(QStringLiteral("Journaux")).toUtf8());
    }
    ~TemporaryFiles() {
        if (m_oldJournaux.isEmpty())
            qunsetenv("ORVALIS_JOURNAUX");
        else
            qputenv("ORVALIS_JOURNAUX", m_oldJournaux);
    }
    Q_DISABLE_COPY_MOVE(TemporaryFiles)

    SettingsStore& store() { return *m_store; }
    QString storePath() const { return m_folder.filePath(QStringLiteral("Orvalis.ini")); }
    QString journaux() const { return m_folder.filePath(QStringLiteral("Journaux")); }

    // Everything the store file holds, read back from the file.
    StoreContents contents() const {
        QSettings file(storePath(), QSettings::IniFormat);
        StoreContents all;
        for (const QString& key : file.allKeys())
            all.insert(key, file.value(key).toString());
        return all;
    }

private:
    QTemporaryDir m_folder;
    QByteArray m_oldJournaux;
    std::unique_ptr<SettingsStore> m_store;
};

// The keys of an OK of the general dialog that left every tariff at its
// default, in the French text forms.
inline StoreContents DefaultTariffKeys() {
    return {
        {QStringLiteral("Tarification/Tarif Credit Temps"), QStringLiteral("0,742")},
        {QStringLiteral("Tarification/Credit Temps Appel Local"), QStringLiteral("180")},
        {QStringLiteral("Tarification/Credit Temps Appel d<25 Kms"), QStringLiteral("111")},
        {QStringLiteral("Tarification/Credit Temps Appel 30<d<52 Kms"), QStringLiteral("74")},
        {QStringLiteral("Tarification/Credit Temps Appel 52<d<100 Kms"), QStringLiteral("47")},
        {QStringLiteral("Tarification/Credit Temps Appel National"), QStringLiteral("39")},
        {QStringLiteral("Tarification/Tarif Minutes Appel Local"), QStringLiteral("0,28")},
        {QStringLiteral("Tarification/Tarif Minutes Appel d<25 Kms"), QStringLiteral("0,4")},
        {QStringLiteral("Tarification/Tarif Minutes Appel 30<d<52 Kms"), QStringLiteral("0,6")},
        {QStringLiteral("Tarification/Tarif Minutes Appel 52<d<100 Kms"), QStringLiteral("0,95")},
        {QStringLiteral("Tarification/Tarif Minutes Appel National"), QStringLiteral("1")},
        {QStringLiteral("Parametres/Defaut Type de Communication"),
         QStringLiteral("Faites une sélection")},
        {QStringLiteral("Parametres/Defaut Numero"), QStringLiteral("Faites une sélection")},
    };
}

inline StoreContents Merged(StoreContents base, const StoreContents& more) {
    for (auto it = more.begin(); it != more.end(); ++it)
        base.insert(it.key(), it.value());
    return base;
}

// The manual reset took effect at once: total 0, the main window told once,
// "0,000" stored, and the reset record alone in the month's log.
inline void ExpectManualResetDone(float coutTotal, const CountingHost& host,
                                  const TemporaryFiles& files) {
    EXPECT_FLOAT_EQ(coutTotal, 0.f);
    EXPECT_EQ(host.totals, 1);
    EXPECT_EQ(files.contents(),
              (StoreContents{{QStringLiteral("Parametres/Cout Total"), QStringLiteral("0,000")}}));
    const QDate today = host.instant.date();
    QVector<CallRecord> records;
    ASSERT_TRUE(LogFile::readAll(BasOrvalis::MonthlyLogPath(today), &records));
    ASSERT_EQ(records.size(), 1);
    EXPECT_EQ(records[0].toBytes(), BasOrvalis::BuildResetRecord(today).toBytes());
}
