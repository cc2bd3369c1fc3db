// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <QDir>
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

// A test that runs in a folder of its own, made the current folder while it runs, as the
// program runs in the user's folder.
class InTemporaryCurrentFolder : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        previous_ = QDir::currentPath();
        QDir::setCurrent(folder.path());
    }
    void TearDown() override { QDir::setCurrent(previous_); }

    QTemporaryDir folder;

private:
    QString previous_;
};

}  // namespace tavolin::testing
