#pragma once
#include <QByteArray>
#include <QString>

// Files the tests lay out and compare.
namespace TestFiles {
// The whole content; empty when the file cannot be read.
QByteArray bytesOf(const QString& path);
// Writes content over path, making its folder first.
bool writeFile(const QString& path, const QByteArray& content);
// Bytes that do not compress, the same in every run.
QByteArray noise(int size);
}
