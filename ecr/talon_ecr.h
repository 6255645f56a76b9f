#pragma once

#include <cstdint>

#include "ecr/talon_error.h"
#include "ecr/talon_plu.h"
#include "ecr/talon_setup.h"
#include "ecr/talon_status.h"
#include "ecr/talon_utils.h"

class SerialComm;

// The register: framing, one-command-one-reply exchanges over a link it does not own.
// Final: it is always released as itself, never through one of its bases.
class TalonECR final : public TalonTransaction,
                       public TalonError,
                       public TalonSetup,
                       public TalonReport,
                       public TalonStatus {
public:
    explicit TalonECR(SerialComm& link);
    TalonECR(const TalonECR&) = delete;
    TalonECR& operator=(const TalonECR&) = delete;

    ECRString Checksum(const ECRString& text) override;
    ECRString Frame(const ECRString& command) override;
    ECRString Unframe(const ECRString& reply) override;
    ECRString Enquire() override;
    void Acknowledge() override;
    void NotAcknowledge() override;
    // Only a whole reply counts: ECRError 10 when the line goes quiet before ESC "\",
    // 15 when no frame opens before it, 8 when the link reports the write as failed.
    // Noise before the frame is dropped.
    ECRString Transact(const ECRString& command) override;
    // ECRError 15 when no code stands where the register puts it.
    std::int32_t ReplyCode(const ECRString& payload) override;
    bool IsOk(const ECRString& payload) override;

    bool Ping();
    // For a connection made again: an enquiry, and its answer read past the rest of the
    // reply that was cut with the old connection, which the register sends first and
    // which would otherwise be taken for the answer to the next command. False when no
    // answer comes.
    bool PingPastCutReply();
    bool LogOut();
    bool LogIn(const ECRString& password);

    // Reply time-out per byte, in milliseconds.
    static constexpr int ReplyTimeoutMs = 1000;

private:
    // Throws ECRError 9 when the link cannot drop the bytes waiting unread.
    void DropStaleInput();
    // Reads up to the closing ESC "\" across any "\" bytes of the payload.
    ECRString ReadReply();

    SerialComm& Link;
};
