// The updater's exception hierarchy, rooted in Exception.
//
// Every failure of the updater travels as one of these, carrying the text the
// user will read: a byte string in code page 932. The program's own code raises
// them and never catches them; the application object is the one place that
// shows them (in the error box), so each message is shown exactly once.
#pragma once

#include <string>

class Exception {
public:
    explicit Exception(std::string message) : message_(std::move(message)) {}
    virtual ~Exception() = default;

    const std::string& Message() const { return message_; }

private:
    std::string message_;
};

// The silent exception: it ends the operation that raised it and is shown nowhere.
class EAbort : public Exception { using Exception::Exception; };

class EStreamError : public Exception { using Exception::Exception; };
class EFilerError : public EStreamError { using EStreamError::EStreamError; };
class EReadError : public EFilerError { using EFilerError::EFilerError; };
class EWriteError : public EFilerError { using EFilerError::EFilerError; };
class EFCreateError : public EStreamError { using EStreamError::EStreamError; };

class EResNotFound : public Exception { using Exception::Exception; };
class ERegistryException : public Exception { using Exception::Exception; };
class EOutOfResources : public Exception { using Exception::Exception; };
class EInvalidOperation : public Exception { using Exception::Exception; };
