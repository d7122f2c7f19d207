#pragma once
// The books the suite's tests pick from: a demo data root and company in a folder of their own,
// with the job-costing rows the demo leaves out, and the session of a user working in them.
// The registry is an empty file of the folder (the embedded store), and the language tables are
// the source tree's.

#include <QTemporaryDir>
#include <memory>

#include "company/installation.h"
#include "session/session.h"
#include "store/database.h"

namespace orvant::testing {

class DemoBooks {
public:
    DemoBooks();
    ~DemoBooks();
    DemoBooks(const DemoBooks&) = delete;
    DemoBooks& operator=(const DemoBooks&) = delete;

    // Company 1, in English (1) or French (2); change it before taking its record.
    Session& session() { return session_; }
    Session& session(int language);
    // The record of the session as it stands; it points into the session.
    TLinkSection link() const { return LinkFor(session_); }

    std::unique_ptr<store::Database> company() const;

private:
    QTemporaryDir home_;
    company::Installation installation_;
    Session session_;
};

}  // namespace orvant::testing
