#pragma once

#include "KWException.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <vector>

// One code of a code group: the short code the recording tables store and its German label.
class TCode
{
public:
    TCode(const QString& ACode, const QString& AName);

    QString FCode;
    QString FName;
};

// Raised when a code group is asked for that is not registered, or a group is given a code twice.
class EKWCodesystemException : public EKWException
{
public:
    using EKWException::EKWException;
};

// One code group: its codes looked up by the exact (case-sensitive) code and listed in the order
// in which they were added. The group owns its codes.
class TKWCodesystem
{
public:
    // Raises EKWCodesystemException when the group already holds ACode.
    void Add(const QString& ACode, const QString& AName);
    // The code, or nullptr when the group does not hold it.
    const TCode* Find(const QString& ACode) const;
    bool Contains(const QString& ACode) const { return FIndex.contains(ACode); }
    qsizetype Count() const { return qsizetype(FCodes.size()); }
    // Every code of the group in the order in which it was added.
    const std::vector<TCode>& Codes() const { return FCodes; }

private:
    std::vector<TCode> FCodes;
    QHash<QString, qsizetype> FIndex;
};

// The program-wide code groups. Built once by Init, freed by Terminate; everything in between
// only reads them.
class TCodes
{
public:
    TCodes() = delete;

    // Builds and registers every group. A second call while the groups exist changes nothing, so
    // references handed out earlier stay valid.
    static void Init();
    static void Terminate();

    // Raises EKWCodesystemException when no group is registered under CodesystemID.
    static const TKWCodesystem& GetCodesystem(const QString& CodesystemID);
    // The label of Code in the first group of the fixed search order that holds it; the code
    // itself when no group does (also before Init). Never fails.
    static QString Search(const QString& Code);

    // The registered group ids in their order of definition (empty before Init).
    static QStringList GetCodesystemIDs();
    // Copies of a group's codes in their order of definition; raises like GetCodesystem.
    static std::vector<TCode> GetCodesInOrder(const QString& CodesystemID);
};
