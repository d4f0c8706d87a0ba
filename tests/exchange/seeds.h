#pragma once

// Real shapes of the exchange formats, kept once: the fuzz targets' seeds
// (tests/fuzz/make_corpus.py writes them).

#include <QFile>

inline QByteArray fuzzSeed(const QString& path)
{
    QFile file(QStringLiteral(FENDRIMO_SEEDS "/") + path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
