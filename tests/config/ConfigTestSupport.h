// What the configuration tests share: the fakes they use, the keys an OK
// stores and the check of a manual reset.
#pragma once

#include "support/CountingHost.h"
#include "support/ScriptedMessages.h"
#include "support/TemporaryFiles.h"

#include "BasOrvalis/CallRecordBuilder.h"
#include "BasOrvalis/LogWriter.h"
#include "common/LogFile.h"

#include <gtest/gtest.h>

using BasOrvalis::ShownMessage;

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
