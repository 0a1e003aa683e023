#pragma once

#include "UiTestSupport.h"

#include <QProcess>
#include <QXmlStreamReader>

#include <map>

// One member of a zip file, empty when it is not there.
inline QString unzipped(const QString& zip, const QString& member) {
    QProcess unzip;
    unzip.start("unzip", {"-p", zip, member});
    if (!unzip.waitForFinished(20000) || unzip.exitCode() != 0)
        return {};
    return QString::fromUtf8(unzip.readAllStandardOutput());
}

// The cells of a sheet of the workbook (1 the first) by reference ("A1"),
// shared strings resolved.
inline std::map<QString, QString> sheetCells(const QString& file, int sheetNumber = 1) {
    QStringList shared;
    QXmlStreamReader strings(unzipped(file, "xl/sharedStrings.xml"));
    while (!strings.atEnd())
        if (strings.readNext() == QXmlStreamReader::StartElement && strings.name() == u"t")
            shared << strings.readElementText();
    std::map<QString, QString> cells;
    QXmlStreamReader sheet(unzipped(file, QString("xl/worksheets/sheet%1.xml").arg(sheetNumber)));
    QString ref, type;
    while (!sheet.atEnd()) {
        if (sheet.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (sheet.name() == u"c") {
            ref = sheet.attributes().value("r").toString();
            type = sheet.attributes().value("t").toString();
        } else if (sheet.name() == u"v") {
            const QString v = sheet.readElementText();
            cells[ref] = type == "s" ? shared.value(v.toInt()) : v;
        }
    }
    return cells;
}

// The sheet names of the workbook, in order.
inline QStringList sheetNames(const QString& file) {
    QStringList names;
    QXmlStreamReader book(unzipped(file, "xl/workbook.xml"));
    while (!book.atEnd())
        if (book.readNext() == QXmlStreamReader::StartElement && book.name() == u"sheet")
            names << book.attributes().value("name").toString();
    return names;
}
