#pragma once
// The numbers of the cash receipts screen's messages, in its language tables.

namespace orvant::receipts {

enum ReceiptMessage {
    kEnterReference = 3,
    kNoSuchAccount = 4,
    kNoSuchClient = 5,
    kOutOfBalance = 6,
    kReceivableWithoutClient = 7,
    kAskForMemo = 8,
    kCaptionPrefix = 9,
    kCaptionBeforePeriod = 10,
    kNotADate = 11,
    kHoldbackPrefix = 13,
    // An invoice's open amount changed on another workstation since the items were shown.
    kPaidMeanwhile = 14,
    // A line on the receivable account of another currency than the client's.
    kOtherCurrencyReceivable = 15,
    // A receipt not from a client may not touch the receivable holdback account.
    kHoldbackWithoutClient = 16,
    // A payment on a holdback item lies above 0 and at most at what the item owes.
    kHoldbackPaymentRefused = 17,
    // The holdback collection would need more lines than the distribution holds.
    kTooManyLines = 18,
    kNothingToPost = 19,
    kBeyondBooksLimit = 20,
    kControlCharacter = 21,
    kWaitingForClient = 22,
    // A receipt of this client, reference and date is in the books: post it again?
    kAskPostAgain = 23,
    kAlreadyPosted = 24,
    kNotANumber = 25,
    kNegativeAmount = 26,
    kDebitAndCredit = 27,
    // The NSF box's caption where cheques are called checks.
    kNsfCheckCaption = 28,
    // The import's refusal of a receipt already in the books before it began.
    kAlreadyInBooks = 29,
};

}  // namespace orvant::receipts
