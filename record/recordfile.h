// SPDX-License-Identifier: MIT
#pragma once

#include <QCoreApplication>
#include <QString>

class QSqlDatabase;
class QSqlError;
class QSqlQuery;

// The record's SQLite file: its connection, how it is set up, its tables and their versions. A
// file that is not a database, is damaged or was written by a newer version is moved aside, and
// a new record begun in its place.
class RecordFile
{
    Q_DECLARE_TR_FUNCTIONS(RecordFile)

public:
    // The newest version of the tables; an older file is brought up to it as it is opened.
    static constexpr int SchemaVersion = 4;

    explicit RecordFile(const QString &path);
    ~RecordFile();
    RecordFile(const RecordFile &) = delete;
    RecordFile &operator=(const RecordFile &) = delete;

    QString path() const { return m_path; }
    // Opens the file unless it is open. False when it cannot be used now; lastError() says why.
    bool open();
    bool isOpen() const { return m_opened; }
    void close();
    QSqlDatabase database() const;

    // How long SQLite waits for another copy's lock, on the connection open now and the next.
    void setBusyTimeout(int ms);
    // After a write the file refused: the next open() starts afresh, a damaged file moved aside.
    void closeAfter(const QSqlError &error);

    // Tells why the file failed, once for each new reason; always false.
    bool fail(const QString &what, const QString &why);
    QString lastError() const { return m_lastError; }
    void clearError() { m_lastError.clear(); }

private:
    enum class Opening { Opened, Failed, Unreadable };

    Opening openFile(QString *unreadableBecause);
    bool migrate(int version);
    bool migrateStep(int version, const QString &what, bool (RecordFile::*change)(QSqlQuery &));
    bool migrateTo1(QSqlQuery &q);
    bool migrateTo2(QSqlQuery &q);
    bool migrateTo3(QSqlQuery &q);
    bool migrateTo4(QSqlQuery &q);
    void moveAside(const QString &why);

    QString m_path;
    QString m_connectionName;
    bool m_opened = false;
    int m_busyTimeoutMs = 0; // 0: SQLite never waits
    QString m_lastError;
};
