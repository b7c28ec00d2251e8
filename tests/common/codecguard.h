#pragma once

// Sets Qt's locale codec (the code page of file names and of text files) for one test and
// restores it afterwards: "GBK" stands for a Chinese Windows, "UTF-8" for Linux.

#include <QTextCodec>

class CodecGuard
{
public:
    explicit CodecGuard(const char* name) : m_old(QTextCodec::codecForLocale())
    {
        QTextCodec::setCodecForLocale(QTextCodec::codecForName(name));
    }
    ~CodecGuard() { QTextCodec::setCodecForLocale(m_old); }
    CodecGuard(const CodecGuard&) = delete;
    CodecGuard& operator=(const CodecGuard&) = delete;

private:
    QTextCodec* m_old;
};
