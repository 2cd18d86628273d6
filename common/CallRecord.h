// One record of a call log: a line-break header and seven fixed-width text
// fields, 84 bytes of data in a 94-byte slot.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <algorithm>
#include <array>

struct CallRecord {
    QString Date;       // 8 characters
    QString Libelle;    // 30
    QString HeureDebut; // 8
    QString HeureFin;   // 8
    QString Duree;      // 8
    QString Cout;       // 8
    QString Total;      // 8

    static constexpr int SlotSize = 94;
    static constexpr int DataSize = 84;
    static constexpr int HeaderSize = 6;
    static constexpr int FieldCount = 7;
    static constexpr std::array<int, FieldCount> FieldWidths{8, 30, 8, 8, 8, 8, 8};
    // Where each field begins in the data, after the header.
    static constexpr std::array<int, FieldCount> FieldOffsets{6, 14, 44, 52, 60, 68, 76};

    // The 84 data bytes: header, then each field padded with blanks or cut.
    QByteArray toBytes() const;
    // Reads the fields of one slot (its first 84 bytes; fewer when the file
    // ends early, the missing bytes read as blanks). Fields are kept exactly
    // as stored, trailing blanks included.
    static CallRecord fromBytes(const char* data, int size);
    // The stored bytes of field `index` in the data of one record: fewer
    // than its width when the data ends within it.
    static QByteArrayView storedField(QByteArrayView data, int index) {
        const qsizetype offset = FieldOffsets[std::size_t(index)];
        const qsizetype width = FieldWidths[std::size_t(index)];
        const qsizetype stored = std::clamp<qsizetype>(data.size() - offset, 0, width);
        return data.sliced(std::min(offset, data.size()), stored);
    }
    // Its text as stored, without the blanks around it.
    static QString storedText(QByteArrayView data, int index);
    // True when the slot begins with the line-break header that starts every
    // record; a slot without it holds no record of a call log.
    static bool startsWithHeader(const char* data, int size);

    const QString& field(int index) const;
    QString& field(int index);

    bool operator==(const CallRecord& other) const;
};
