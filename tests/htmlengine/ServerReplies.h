#pragma once
// Replies as the Quorvane server sends them, for tests that read whole replies.

const wchar_t* const kServerReplies[] = {
    L"{\"result\":{\"build\":\"4711\",\"version\":\"7.2\",\"sessionId\":\"A1B2-c3d4\","
    L"\"challengeValue\":\"9f86d081884c7d659a2feaa0c55ad015\"},\"id\":1}",

    L"{\"id\":2,\"result\":{\"userId\":12,\"serverUUID\":\"0b6e5c1e-77aa-4f0e-9d2b-6b1f0a9e3c11\","
    L"\"resultCode\":\"OK\",\"availableServices\":[\"QBService_v1\",\"SyncService_v1\"]}}",

    L"{\"error\":{\"code\":591,\"trace\":\"com.example.SomeException: no right\\n\\tat "
    L"Service.call(Service.java:12)\"},"
    L"\"result\":null}",

    L"{\"result\":{\"map\":{\"12\":{\"userInfo\":{\"id\":12,\"firstName\":\"J\\u00fcrgen\",\"middleInitial\":\"\","
    L"\"lastName\":\"M\\u00fcller\",\"username\":\"jmueller\"},\"duplicatesInfo\":[]},"
    L"\"14\":{\"userInfo\":{\"id\":14,\"firstName\":\"Ana\",\"middleInitial\":\"B\",\"lastName\":\"O\\u2019Neil\","
    L"\"username\":\"ana\"},\"duplicatesInfo\":[{\"id\":15,\"firstName\":\"Ana\",\"middleInitial\":null,"
    L"\"lastName\":\"O'Neil\",\"username\":\"ana2\"}]}}}}",

    L"{\"result\":{\"tasks\":[{\"id\":301,\"projectId\":21,\"billingTypeId\":2,\"name\":\"Design \\\"phase 1\\\"\","
    L"\"description\":\"\"}],\"projects\":[{\"id\":21,\"customerId\":5,\"name\":\"Roof\",\"description\":\"North "
    L"wing\"}],"
    L"\"customers\":[{\"id\":5,\"name\":\"Acme \\u2013 Ltd\",\"description\":null}],"
    L"\"TTRecords\":[{\"taskId\":301,\"comment\":\"Line one\\r\\nline two\",\"date\":\"2024-1-5\",\"spent\":90},"
    L"{\"taskId\":301,\"comment\":\"\",\"date\":\"2024-01-06\",\"spent\":-1}],"
    L"\"leaveTypes\":[{\"name\":\"Vacation\",\"id\":1}],\"billingTypes\":[{\"name\":\" Billable : Standard \","
    L"\"id\":2,\"billable\":1}],\"leaveRecords\":[{\"time\":480,\"date\":\"2024-1-8\",\"typeId\":1}],"
    L"\"rate\":12.5e-1}}",

    L"{ \"result\" : [ 3, 7, -1, \"x\", 2147483647 ] }\r\n",
};
