// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <QTemporaryDir>
#include <utility>

namespace tavolin::testing {

// A test that works on one file, `path`, in a folder of its own that goes with the test.
class FileInTemporaryFolder : public ::testing::Test {
protected:
    explicit FileInTemporaryFolder(QString fileName) : fileName_(std::move(fileName)) {}

    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        path = folder.filePath(fileName_);
    }

    QTemporaryDir folder;
    QString path;

private:
    QString fileName_;
};

}  // namespace tavolin::testing
