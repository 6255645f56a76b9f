#pragma once

#include <cstdint>

#include "text/ecr_string.h"

// The nine transport operations every register command is built on.
class TalonUtils {
public:
    virtual ECRString Checksum(const ECRString& text) = 0;
    virtual ECRString Frame(const ECRString& command) = 0;
    virtual ECRString Unframe(const ECRString& reply) = 0;
    virtual ECRString Enquire() = 0;
    virtual void Acknowledge() = 0;
    virtual void NotAcknowledge() = 0;
    virtual ECRString Transact(const ECRString& command) = 0;
    virtual std::int32_t ReplyCode(const ECRString& payload) = 0;
    virtual bool IsOk(const ECRString& payload) = 0;

protected:
    ~TalonUtils() = default;
};

class TalonTransaction : public TalonUtils {
protected:
    ~TalonTransaction() = default;
};
